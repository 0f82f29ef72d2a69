#pragma once

// The window title of a session and the question asked when the host
// closes the connection. Every text fits its buffer: a host name too long
// for the title is cut so that the title still ends as its state says.

// The program's title: the base caption of the window and of its message
// boxes.
constexpr const char* ProgramTitle = "LUMO/NT";

constexpr int BaseCaptionSize = 32; // "LUMO/NT" and the like, at most 31 characters
constexpr int TitleSize = 80;       // titleBase and the window text, at most 79
constexpr int ClosedQuestionSize = 160;

enum class SessionState { NoHost, Trying, Connected, Disconnected };

// baseCaption with the state's suffix: none, " (Trying to connect...)",
// " (" host ")" or " (disconnected)".
void MakeTitleBase(char (&titleBase)[TitleSize], const char* baseCaption, SessionState state,
                   const char* host);

// The window text: titleBase followed by " - Scroll Back" in scroll-back
// mode, else by " - Hold" while output is held.
void MakeWindowTitle(char (&title)[TitleSize], const char* titleBase, int scrollBackMode, int hold);

// "Connection to HOST\nhas been closed.\nOkay to close window?"
void MakeClosedQuestion(char (&text)[ClosedQuestionSize], const char* host);
