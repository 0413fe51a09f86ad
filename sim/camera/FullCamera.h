#pragma once

// A simulated camera that answers every command of the device library as a
// real camera would: the protocol core (SimCamera) moves the packets and
// streams the files, CameraBehaviour decides every answer and holds the
// camera's state. Each camera has its own profile.

#include "SimCamera.h"
#include "behaviour/CameraBehaviour.h"

#include <functional>
#include <mutex>

namespace sim {

class FullCamera : public SimCamera
{
public:
    explicit FullCamera(const camera::CameraProfile &profile = camera::CameraProfile());

    // Runs change on the camera's state under its lock, then offers the
    // camera's files anew (for tests that add media or logs).
    void edit(const std::function<void(camera::CameraBehaviour &)> &change);

protected:
    void dataReceived(const std::uint8_t *data, std::size_t length) override;

private:
    void answer(const CommandRequest &request, Outbox &out);
    void offerFiles();

    std::mutex behaviourMutex_;
    camera::CameraBehaviour behaviour_;
};

} // namespace sim
