#include "ccallerapp.h"

int main(int argc, char *argv[])
{
    CCallerApp app(argc, argv);
    return app.InitInstance();
}
