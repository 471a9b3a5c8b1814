#include "input/KeyMap.h"

#include <Qt>

#include "input/Bindings.h"
#include "platform/Platform.h"

namespace input {

using namespace platform;

int VirtualKeyFromQt(int qtKey) {
    const int key = Plain_Key(qtKey);
    if (Debug_Key(key)) return VK_F7 + (key - Qt::Key_F7);
    const Action action = Key_Holder(Current_Bindings(), key, Action::Count);
    return action == Action::Count ? 0 : Action_VirtualKey(action);
}

int QtKeyFromVirtual(int vk) {
    if (vk >= VK_F7 && vk <= VK_F11) return Qt::Key_F7 + (vk - VK_F7);
    for (int a = 0; a < kActionCount; ++a)
        if (vk != 0 && Action_VirtualKey(static_cast<Action>(a)) == vk) return Current_Bindings().keys[a];
    return 0;
}

bool FullScreenKey(int qtKey) {
    return Current_Bindings().keys[static_cast<int>(Action::FullScreen)] == Plain_Key(qtKey);
}

} // namespace input
