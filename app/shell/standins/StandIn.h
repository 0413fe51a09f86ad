#pragma once

class QWidget;

// Puts the widget's class name in its middle, so a stand-in is recognisable
// on screen and in screenshots. The name is not translated: it is no text of
// the program's own and goes away with the stand-in.
void showStandInName(QWidget *widget);
