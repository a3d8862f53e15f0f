#pragma once

// The program's commands, as its menus, toolbar and status-bar tips know them. Each id is also the
// string-table id of the command's tip.
enum CommandId : int
{
    ID_VIEW_TODAY = 32771,
    ID_VIEW_TASKS = 32772,
    ID_VIEW_INVENTORY = 32773,
    ID_VIEW_LOCATIONS = 32774,
    ID_LOAN_MANAGER = 32775,
    ID_RECOMMEND_MOVIE = 32776,
    ID_SELECT_HOME = 32777,
    ID_NEW_TASKS = 32780,
    ID_NEW_ASSET = 32781,
    ID_NEW_LOCATION = 32782,
    ID_NEW_VIDEO = 32783,
    ID_NEW_HOME = 32784,
    ID_SYNC = 32785,
    ID_NEW = 32787,
    ID_CONTEXT_NEW = 32789,
    ID_CONTEXT_DELETE = 32790,
    ID_CONTEXT_PROPERTIES = 32791,
    ID_BACKUP = 32792,
    ID_EXPORT = 32793,
    ID_INVENTORY_REPORT = 32797,
    ID_LOAN_SCHEDULE = 32840,
    ID_PRINT_SHOPPING_LIST = 32841,
    // The tasks view's View menu.
    ID_TASKS_VIEW_ALL = 32821,
    ID_TASKS_VIEW_GENERAL = 32822,
    ID_TASKS_VIEW_SHOPPING = 32823,
    ID_TASKS_CLEAR_ALL = 32824,
    ID_TASKS_CLEAR_COMPLETED = 32825,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
};
