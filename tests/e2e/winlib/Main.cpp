// winlibcheck: checks of the window and dialog class library with real
// windows. Run under Wine by the end-to-end tests; an optional argument
// selects the checks whose names contain it. "winlibcheck show NAME" shows
// the dialog template NAME until it is closed and returns its end code.
#include "Check.h"
#include "Show.h"
#include "TestApplication.h"

#include "winlib/LibraryClasses.h"

int main(int argc, char** argv) {
    TestApplication& application = TestApplication::Get();
    if (!RegisterLibraryClasses(application.Instance())) return 100;
    if (argc > 2 && lstrcmpA(argv[1], "show") == 0) return ShowTemplate(argv[2]);
    return check::RunAll(argc > 1 ? argv[1] : nullptr) == 0 ? 0 : 1;
}
