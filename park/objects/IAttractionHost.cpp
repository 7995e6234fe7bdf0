#include "park/objects/IAttractionHost.h"

IAttractionHost* g_attractionHost = nullptr;
