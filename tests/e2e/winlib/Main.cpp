// winlibcheck: checks of the window and dialog class library with real
// windows. Run under Wine by the end-to-end tests; an optional argument
// selects the checks whose names contain it.
#include "Check.h"
#include "TestApplication.h"

#include "winlib/LibraryClasses.h"

int main(int argc, char** argv) {
    TestApplication& application = TestApplication::Get();
    if (!RegisterLibraryClasses(application.Instance())) return 100;
    return check::RunAll(argc > 1 ? argv[1] : nullptr) == 0 ? 0 : 1;
}
