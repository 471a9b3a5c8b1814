#include "input/Bindings.h"

#include <QKeySequence>

#include "input/X11Keys.h"
#include "platform/Platform.h"

namespace input {

using namespace platform;

namespace {

constexpr uint32_t Bit(PadButton button) { return 1u << button; }

struct ActionInfo {
    const char* name;
    int vk;
    int key;
    uint32_t buttons;
};

constexpr std::array<ActionInfo, kActionCount> kActions{{
    {"left", VK_LEFT, Qt::Key_Left, 0},
    {"up", VK_UP, Qt::Key_Up, 0},
    {"right", VK_RIGHT, Qt::Key_Right, 0},
    {"down", VK_DOWN, Qt::Key_Down, 0},
    {"fire", VK_SPACE, Qt::Key_Space, Bit(PadA)},
    {"fast", VK_V, Qt::Key_V, Bit(PadX) | Bit(PadRB)},
    {"pause", VK_CONTROL, Qt::Key_Control, Bit(PadStart)},
    {"hide", VK_RETURN, Qt::Key_Return, 0},
    {"back", VK_F12, Qt::Key_F12, Bit(PadBack)},
    {"abandon", VK_ESCAPE, Qt::Key_Escape, 0},
    {"fullscreen", 0, Qt::Key_F, 0},
}};

constexpr std::array<const char*, PadButtonCount> kButtonNames{
    "Left", "Up", "Right", "Down", "A", "B", "X", "Y", "LB", "RB", "Start", "Back",
};

// The key a name stands for, 0 for none: one key without modifiers ("Ctrl+Z" is no key).
int Named_Key(const QString& name) {
    const QString text = name.trimmed();
    // Qt writes and reads "Control", where the menus and the keyboards say Ctrl.
    if (text.compare(QLatin1String("Ctrl"), Qt::CaseInsensitive) == 0) return Qt::Key_Control;
    const QKeySequence sequence = QKeySequence::fromString(text, QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].keyboardModifiers() != Qt::NoModifier) return 0;
    return sequence[0].key();
}

Bindings g_current = Default_Bindings();
unsigned g_version = 0;

} // namespace

Bindings Default_Bindings() {
    Bindings bindings;
    for (int a = 0; a < kActionCount; ++a) {
        bindings.keys[a] = kActions[a].key;
        bindings.buttons[a] = kActions[a].buttons;
    }
    return bindings;
}

const Bindings& Current_Bindings() { return g_current; }

void Set_Bindings(const Bindings& bindings) {
    g_current = bindings;
    ++g_version;
}

unsigned Bindings_Version() { return g_version; }

const char* Action_Name(Action action) { return kActions[static_cast<int>(action)].name; }

int Action_VirtualKey(Action action) { return kActions[static_cast<int>(action)].vk; }

bool Key_Bindable(int qtKey) {
    // A key the file could not name is none either: the small letters, which Qt never sends,
    // or the no-break space, whose name is blank. The keypad's Enter goes as Enter.
    return !Debug_Key(qtKey) && Plain_Key(qtKey) == qtKey && X11_KeySyms(qtKey).main != 0 &&
           Named_Key(Key_Name(qtKey)) == qtKey;
}

QString Key_Name(int qtKey) {
    if (qtKey == Qt::Key_Control) return QStringLiteral("Ctrl");
    return QKeySequence(qtKey).toString(QKeySequence::PortableText);
}

int Key_From_Name(const QString& name) {
    const int key = Plain_Key(Named_Key(name));
    return Key_Bindable(key) ? key : 0;
}

QStringList Button_Names(uint32_t buttons) {
    QStringList names;
    for (int b = 0; b < PadButtonCount; ++b)
        if (buttons & (1u << b)) names << QString::fromLatin1(kButtonNames[b]);
    return names;
}

PadButton Button_From_Name(const QString& name) {
    for (int b = PadA; b < PadButtonCount; ++b)
        if (name.trimmed().compare(QLatin1String(kButtonNames[b]), Qt::CaseInsensitive) == 0)
            return static_cast<PadButton>(b);
    return PadButtonCount;
}

Action Key_Holder(const Bindings& bindings, int qtKey, Action except) {
    for (int a = 0; a < kActionCount; ++a)
        if (a != static_cast<int>(except) && bindings.keys[a] == qtKey) return static_cast<Action>(a);
    return Action::Count;
}

Action Buttons_Holder(const Bindings& bindings, uint32_t buttons, Action except) {
    for (int a = 0; a < kActionCount; ++a)
        if (a != static_cast<int>(except) && (bindings.buttons[a] & buttons)) return static_cast<Action>(a);
    return Action::Count;
}

} // namespace input
