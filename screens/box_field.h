#pragma once
// A number box bound to a document member, as every screen and dialog lists
// its boxes: the control name and Index (-1 for a control that is no array
// member), the range and display mask, how the member is read and written,
// and the hint. A screen that lays out more (captions, units, what follows
// when the box is left) derives its row from this one.
//
// `get` returns kNullBox (or a value outside the range) when the member holds
// nothing to show; a row whose `set` is null only shows a derived value and
// writes nothing back. A null `tag`: the box has no hint.
namespace norva {

class CDocument;

struct BoxField {
  const char* name;
  int index;
  double lo;
  double hi;
  const char* mask;
  double (*get)(const CDocument&);
  void (*set)(CDocument&, double);
  const char* tag;
};

}  // namespace norva
