#include "park/events/IParkEventHost.h"

IParkEventHost* g_parkEventHost = nullptr;
