#pragma once

class QWidget;

namespace ConfigWalk {

// Opens every row the navigator offers and every enabled tab of whatever
// each row opens (tabs inside tabs as well), waiting each time until the
// page has left its overlays. With saving, one setting of each tab container
// is changed, saved and read back.
void walkConfiguration(QWidget *mainWindow, bool saving);

} // namespace ConfigWalk
