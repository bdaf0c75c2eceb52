// Growth judged counter by counter, so a failure names what grew.
#include "growth.h"

#include <cstdio>
#include <string>

bool ReportGrowth(const ResourceCounts& before, const ResourceCounts& after, const Allowance& allowed) {
    struct Counter {
        const char* name;
        long long before, after, allowed;
    };
    const Counter counters[] = {
        {"GDI objects", before.gdiObjects, after.gdiObjects, allowed.gdiObjects},
        {"windows", before.windows, after.windows, allowed.windows},
        {"other USER objects", before.userObjects, after.userObjects, allowed.userObjects},
        {"handles", static_cast<long long>(before.handles.size()), static_cast<long long>(after.handles.size()),
         allowed.handles},
        {"heap bytes", before.heapBytes, after.heapBytes, allowed.heapBytes},
    };
    std::printf("  before: %s\n  after:  %s\n  GDI objects changed: %s\n  handles opened: %s\n",
                Describe(before).c_str(), Describe(after).c_str(), DescribeGdiChange(before, after).c_str(),
                DescribeNewHandles(before, after).c_str());
    bool ok = true;
    std::string growth;
    for (const Counter& c : counters) {
        char item[64];
        std::snprintf(item, sizeof item, "%s%s %+lld", growth.empty() ? "" : ", ", c.name, c.after - c.before);
        growth += item;
        if (c.before < 0 || c.after < 0) {
            std::printf("FAIL counter %s: not read\n", c.name);
            ok = false;
        } else if (c.after - c.before > c.allowed) {
            std::printf("FAIL counter %s: grew by %lld, %lld allowed\n", c.name, c.after - c.before, c.allowed);
            ok = false;
        }
    }
    std::printf("  growth: %s: %s\n", growth.c_str(), ok ? "ok" : "FAIL");
    return ok;
}
