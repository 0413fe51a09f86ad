#include "FullCamera.h"

#include "MediaFileSource.h"
#include "MemoryFile.h"

namespace sim {

namespace {

constexpr std::uint32_t CommandFactoryReset = 33;
constexpr std::uint32_t CommandFormat = 34;

} // namespace

FullCamera::FullCamera(const camera::CameraProfile &profile)
    : behaviour_(profile)
{
    for (std::uint32_t command : camera::CameraBehaviour::answeredCommands())
        registerCommand(command, [this](const CommandRequest &request, Outbox &out) {
            answer(request, out);
        });
    offerFiles();
}

void FullCamera::dataReceived(const std::uint8_t *data, std::size_t length)
{
    std::lock_guard<std::mutex> lock(behaviourMutex_);
    behaviour_.uploadData(data, length);
}

void FullCamera::answer(const CommandRequest &request, Outbox &out)
{
    camera::CommandReply reply;
    {
        std::lock_guard<std::mutex> lock(behaviourMutex_);
        behaviour_.answer(request.command, request.payload, request.payloadLength, reply);
        if (reply.result == camera::CameraBehaviour::Success
            && (request.command == CommandFormat || request.command == CommandFactoryReset))
            offerFiles();
    }
    out.reply(request.command, reply.result, reply.payload);
}

void FullCamera::edit(const std::function<void(camera::CameraBehaviour &)> &change)
{
    std::lock_guard<std::mutex> lock(behaviourMutex_);
    change(behaviour_);
    offerFiles();
}

void FullCamera::offerFiles()
{
    CameraStore &files = store();
    for (const std::string &name : files.fileNames())
        files.removeFile(name);
    for (const camera::MediaFile &f : behaviour_.media().files())
        files.putFile(f.path, std::make_shared<MediaFileSource>(f));
    for (const std::string &name : behaviour_.logNames()) {
        camera::le::Bytes content;
        behaviour_.fileContent(name, content);
        files.putFile(name, std::make_shared<MemoryFile>(content));
    }
    for (const std::string &name : behaviour_.indexNames()) {
        camera::le::Bytes content;
        behaviour_.fileContent(name, content);
        files.putFile(name, std::make_shared<MemoryFile>(content));
    }
    files.setLogNames(behaviour_.logNames());
    files.setIndexNames(behaviour_.indexNames());
}

} // namespace sim
