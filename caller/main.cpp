#include "ccallerapp.h"
#include "sheetcheckcommand.h"

int main(int argc, char *argv[])
{
    if (const auto status = checkSheetFromCommandLine(argc, argv))
        return *status;
    CCallerApp app(argc, argv);
    return app.InitInstance();
}
