#pragma once

#include <QtGlobal>

// Shows the wait cursor for as long as it lives, for fills that may take a moment.
class CWaitCursor final
{
public:
    CWaitCursor();
    ~CWaitCursor();
    Q_DISABLE_COPY_MOVE(CWaitCursor)
};
