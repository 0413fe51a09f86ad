#pragma once

#include <QString>

// Whether a media file of the simulated camera arrived whole: the cameras
// generate every file's contents from its path, so the walk can check each
// byte without a copy of the camera's store.
namespace MediaCheck {

// Empty when the file at cameraPath lies below folder with exactly the
// camera's bytes; otherwise what is wrong.
QString compare(const QString &cameraPath, const QString &folder);

} // namespace MediaCheck
