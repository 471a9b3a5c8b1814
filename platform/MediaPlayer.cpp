#include "platform/MediaPlayer.h"

namespace platform {

void MediaPlayer::Command(const std::string& command) {
    if (command == "Close") Close();
    else if (command == "Open") Open();
    else if (command == "Play") Play();
    else if (command == "Prev") Prev();
    else if (command == "Stop") Stop();
}


} // namespace platform
