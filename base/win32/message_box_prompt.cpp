#include "base/win32/message_box_prompt.h"

namespace tarvik {

namespace {

UINT IconStyle(PromptIcon icon) {
    return icon == PromptIcon::Exclamation ? MB_ICONEXCLAMATION : 0;
}

}  // namespace

PromptAnswer MessageBoxPrompt::Show(const std::string& text, const std::string& caption,
                                    PromptButtons buttons) {
    return ShowWithIcon(text, caption, PromptIcon::None, buttons);
}

PromptAnswer MessageBoxPrompt::ShowWithIcon(const std::string& text, const std::string& caption,
                                            PromptIcon icon, PromptButtons buttons) {
    if (buttons == PromptButtons::Ok) {
        MessageBoxA(owner_, text.c_str(), caption.c_str(), MB_OK | IconStyle(icon));
        return PromptAnswer::Ok;
    }
    return MessageBoxA(owner_, text.c_str(), caption.c_str(), MB_YESNO | IconStyle(icon)) == IDNO
               ? PromptAnswer::No
               : PromptAnswer::Yes;
}

}  // namespace tarvik
