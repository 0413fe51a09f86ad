#pragma once

#include <QString>

// The two walks through the whole program. Each ends with the program's
// exit (its last window closed); a failure ends the process at once.
namespace Walks {

struct Setting
{
    QString scratch; // a folder of the test's own, for downloads
    int cameras = 3; // as the launcher attached them
};

// Log-in with a wrong and the right password, every page and tab on the first
// camera (generation 3, JSON ability), a setting saved per container, media
// download, logs, a change to the second camera (generation 2) and every
// page and tab there, then closing the main window.
void fullWalk(const Setting &setting);

// Downloads every file of the first camera while the launcher pulls it out;
// then the log-in window must find the other cameras.
void unplugWalk(const Setting &setting);

} // namespace Walks
