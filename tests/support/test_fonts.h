#pragma once

#include <QtGlobal>

// Qt's offscreen platform on Windows takes its fonts from one folder (QT_QPA_FONTDIR),
// never from the system's; the front-end tests give it the fonts the Linux tests find.
// Wine passes no QT_ variable from the Linux side, so the test sets it itself.
inline void useTheTestFonts() {
#ifdef SHIFTER_TEST_FONT_DIR
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")) {
        qputenv("QT_QPA_FONTDIR", SHIFTER_TEST_FONT_DIR);
    }
#endif
}
