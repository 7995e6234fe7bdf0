#include "platform/gfx/Resource.h"

namespace plat {

namespace {
std::atomic<std::uint64_t> g_nextResourceId{1};
}

Resource::Resource() : id_(g_nextResourceId.fetch_add(1, std::memory_order_relaxed)) {}

}  // namespace plat
