#pragma once

#include <QString>

class QCoreApplication;

// What gives the program its look and language, shared by main, the tests and
// the screenshot program so that all three show the same thing.
namespace ApplicationLook {

extern const char kWindowIconPath[];
extern const char kTranslationPath[];
extern const char kStyleSheetPath[];

// The forms and the style sheet name the Windows fonts "宋体" and "微软雅黑";
// both stand for the installed WenQuanYi Micro Hei, which has the glyphs.
void substituteFonts();

// Loads the English translation into a translator owned by the application and
// installs it. False, with nothing installed, when the translation does not load.
bool installTranslation(QCoreApplication *application);

// The application style sheet as text; empty when it cannot be read.
QString styleSheet();

} // namespace ApplicationLook
