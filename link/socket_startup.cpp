#include "link/socket_startup.h"

void socketStartup()
{
}
