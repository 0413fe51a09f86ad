#pragma once

#include <QStringList>

// The parts of the program's start that tests check without starting it.
namespace StartUp {

// Every build uses this key: it is what makes a second start recognise the
// first. "Dravent1.0" and a GUID in braces.
extern const char kInstanceKey[];

// Puts the "plugins" folders beside the program and in the working folder in
// front of the library paths, the working folder's first.
void addPluginFolders();

} // namespace StartUp
