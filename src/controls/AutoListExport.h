#pragma once

#include <QtGlobal>

// The list control is a shared library that other modules link; only what carries this mark is
// visible outside it.
#if defined(HS_AUTOLIST_LIBRARY)
#define HS_AUTOLIST_EXPORT Q_DECL_EXPORT
#else
#define HS_AUTOLIST_EXPORT Q_DECL_IMPORT
#endif
