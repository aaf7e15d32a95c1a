#pragma once

// Marks an English text for Qt's translation tools; plain C++ holds it as it is and the windows
// translate it where they show it. The same definition as Qt's, for code built without Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
