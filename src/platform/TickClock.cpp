#include "platform/TickClock.h"

#include <QDeadlineTimer>

namespace
{

std::uint32_t RealTicks()
{
    return static_cast<std::uint32_t>(QDeadlineTimer::current().deadline());
}

TickSource g_source = &RealTicks;

} // namespace

std::uint32_t GetTickCount()
{
    return g_source();
}

void SetTickSource(TickSource source)
{
    g_source = source ? source : &RealTicks;
}
