#include "platform/Containers.h"

namespace platform {

const std::string& Frame::Caption() const { touch(); return caption_; }
void Frame::setCaption(const std::string& caption) { assign(caption_, caption, "Caption"); }

void Frame::keepDesign()
{
    Control::keepDesign();
    designCaption_ = caption_;
}

void Frame::restoreDesign()
{
    Control::restoreDesign();
    caption_ = designCaption_;
}

} // namespace platform
