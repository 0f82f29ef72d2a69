#include "app/SessionTitle.h"

#include <cstdio>
#include <cstring>

namespace {

const char TryingSuffix[] = " (Trying to connect...)";
const char DisconnectedSuffix[] = " (disconnected)";

// " (" host ")", with the host cut to the room that the caption leaves.
void AppendHost(char (&title)[TitleSize], const char* host) {
    int used = static_cast<int>(std::strlen(title));
    int room = TitleSize - 1 - used - 3;
    if (room < 0) return;
    std::snprintf(title + used, TitleSize - used, " (%.*s)", room, host ? host : "");
}

void Append(char (&title)[TitleSize], const char* suffix) {
    std::size_t used = std::strlen(title);
    std::snprintf(title + used, TitleSize - used, "%s", suffix);
}

} // namespace

void MakeTitleBase(char (&titleBase)[TitleSize], const char* baseCaption, SessionState state,
                   const char* host) {
    std::snprintf(titleBase, BaseCaptionSize, "%s", baseCaption ? baseCaption : "");
    switch (state) {
    case SessionState::NoHost: break;
    case SessionState::Trying: Append(titleBase, TryingSuffix); break;
    case SessionState::Connected: AppendHost(titleBase, host); break;
    case SessionState::Disconnected: Append(titleBase, DisconnectedSuffix); break;
    }
}

void MakeWindowTitle(char (&title)[TitleSize], const char* titleBase, int scrollBackMode,
                     int hold) {
    std::snprintf(title, TitleSize, "%s", titleBase ? titleBase : "");
    if (scrollBackMode)
        Append(title, " - Scroll Back");
    else if (hold)
        Append(title, " - Hold");
}

void MakeClosedQuestion(char (&text)[ClosedQuestionSize], const char* host) {
    std::snprintf(text, ClosedQuestionSize,
                  "Connection to %.79s\nhas been closed.\nOkay to close window?", host ? host : "");
}
