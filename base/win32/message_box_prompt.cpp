#include "base/win32/message_box_prompt.h"

namespace tarvik {

PromptAnswer MessageBoxPrompt::Show(const std::string& text, const std::string& caption,
                                    PromptButtons buttons) {
    if (buttons == PromptButtons::Ok) {
        MessageBoxA(owner_, text.c_str(), caption.c_str(), MB_OK);
        return PromptAnswer::Ok;
    }
    return MessageBoxA(owner_, text.c_str(), caption.c_str(), MB_YESNO) == IDNO ? PromptAnswer::No
                                                                                : PromptAnswer::Yes;
}

}  // namespace tarvik
