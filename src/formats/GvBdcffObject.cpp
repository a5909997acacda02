#include "formats/GvBdcffObject.h"

#include "levelpack/GvCmdParasite.h"
#include "levelpack/GvCmdRectLine.h"

#include <algorithm>

GvBdcffObject::GvBdcffObject(std::unique_ptr<GvCaveCommand> command)
    : kind_(Kind::ready), command_(std::move(command)) {}

GvBdcffObject GvBdcffObject::randomFill(std::vector<GvCmdRandomFill::Entry> entries) {
    GvBdcffObject object(Kind::randomFill);
    object.entries_ = std::move(entries);
    return object;
}

GvBdcffObject GvBdcffObject::border() {
    return GvBdcffObject(Kind::border);
}

GvBdcffObject GvBdcffObject::parasite(int dx, int dy, GvPackedObjectType host,
                                      GvPackedObjectType parasite) {
    GvBdcffObject object(Kind::parasite);
    object.dx_ = dx;
    object.dy_ = dy;
    object.host_ = host;
    object.parasite_ = parasite;
    return object;
}

std::unique_ptr<GvCaveCommand> GvBdcffObject::make(int width, int height,
                                                   GvPackedObjectType initialFill) const {
    switch (kind_) {
    case Kind::randomFill:
        // The top row is left to the border that follows.
        return std::make_unique<GvCmdRandomFill>(0, 1, width - 1, height - 1, initialFill,
                                                 entries_);
    case Kind::border:
        return std::make_unique<GvCmdRectLine>(0, 0, width - 1, height - 1,
                                               GvPackedObjectType::steel_wall);
    case Kind::parasite:
        return std::make_unique<GvCmdParasite>(0, 0, width - 1, height - 1, host_, dx_, dy_,
                                               parasite_);
    case Kind::ready:
        break;
    }
    return command_->clone();
}

bool GvBdcffObject::appliesTo(int level) const {
    return levels.empty() || std::find(levels.begin(), levels.end(), level) != levels.end();
}
