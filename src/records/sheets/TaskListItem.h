#pragma once

class CAutoListCtrl;
class CImageList;
class CTask;

// How a task shows in a list: the lists of the tasks view and of the "General Tasks" dialog.

// Writes the task into row `index`: its description (descriptionOnly) or its display text, its
// image, and its data word. In check mode the data word is the id and the box is checked when the
// task is picked; otherwise it is the id of an active task and minus the id of a done one (other
// statuses leave the data word as it was).
void SetListItem(const CTask& task, CAutoListCtrl& list, int index, bool checkMode, bool descriptionOnly);

// The three images SetListItem refers to, 16 x 16: a general task (0), a shopping item (1) and a
// shopping item with a coupon (2).
CImageList TaskImages();
