#include "document/services.h"

namespace norva {
namespace {
class SilentSink final : public IMessageSink {
 public:
  MsgAnswer Show(const std::string&, const std::string&, MsgIcon, MsgButtons buttons) override {
    return buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel ? MsgAnswer::Ok
                                                                        : MsgAnswer::Yes;
  }
};
SilentSink gSilent;
IMessageSink* gSink = &gSilent;
}  // namespace

IMessageSink& MessageSink() { return *gSink; }
void SetMessageSink(IMessageSink* sink) { gSink = sink ? sink : &gSilent; }

}  // namespace norva
