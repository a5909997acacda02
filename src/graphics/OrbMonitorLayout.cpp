#include "graphics/OrbMonitorLayout.h"

#include <algorithm>

OrbMonitorLayout::OrbMonitorLayout(std::vector<OrbWindowRect> bounds,
                                   std::vector<OrbWindowRect> workAreas, int fallbackWidth,
                                   int fallbackHeight)
    : bounds_(std::move(bounds)), workAreas_(std::move(workAreas)) {
    const OrbWindowRect fallback{0, 0, fallbackWidth, fallbackHeight};
    if (bounds_.empty()) {
        bounds_.push_back(fallback);
    }
    if (workAreas_.empty()) {
        workAreas_.push_back(bounds_.front());
    }
}

OrbWindowRect OrbMonitorLayout::centredIn(const OrbWindowRect& area, int width, int height) {
    return OrbWindowRect{area.left + (area.width - width) / 2,
                         area.top + (area.height - height) / 2, width, height};
}

OrbWindowRect OrbMonitorLayout::defaultRect(int width, int height) const {
    OrbWindowRect r = centredIn(bounds_.front(), width, height);
    r.top = std::max(r.top, bounds_.front().top);
    return r;
}

const OrbWindowRect* OrbMonitorLayout::workAreaAt(int x, int y) const {
    for (const OrbWindowRect& area : workAreas_) {
        if (area.containsPoint(x, y)) {
            return &area;
        }
    }
    return nullptr;
}

const OrbWindowRect& OrbMonitorLayout::workAreaOrFirst(int x, int y) const {
    const OrbWindowRect* area = workAreaAt(x, y);
    return area != nullptr ? *area : workAreas_.front();
}

OrbWindowRect OrbMonitorLayout::initialRect(int mode, const OrbWindowRect& stored,
                                            const OrbWindowRect& fallback) const {
    if (mode == OrbWindowMaximized || mode == OrbWindowFullScreen) {
        return centredIn(workAreaOrFirst(stored.centreX(), stored.centreY()), fallback.width,
                         fallback.height);
    }
    if (stored.width <= 0 || stored.height <= 0) {
        return fallback;
    }
    const OrbWindowRect* area = workAreaAt(stored.centreX(), stored.centreY());
    if (area != nullptr && area->containsRect(stored)) {
        return stored;
    }
    return fallback;
}

OrbWindowRect OrbMonitorLayout::fullScreenRect(const OrbWindowRect& window) const {
    for (auto it = bounds_.rbegin(); it != bounds_.rend(); ++it) {
        if (it->containsPoint(window.centreX(), window.centreY())) {
            return *it;
        }
    }
    return bounds_.front();
}

OrbWindowRect OrbMonitorLayout::halfWorkAreaRect(const OrbWindowRect& window, int minimumWidth,
                                                 int minimumHeight) const {
    const OrbWindowRect& area = workAreaOrFirst(window.centreX(), window.centreY());
    return centredIn(area, std::max(area.width / 2, minimumWidth),
                     std::max(area.height / 2, minimumHeight));
}
