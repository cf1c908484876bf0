#include "event_sources/event_sources.h"
#include "event_sources/internal/source_lookup.h"

namespace scribbet::sources {

SourcePlan PlanSources(const std::vector<std::u16string>& names) {
  SourcePlan plan;
  for (const std::u16string& name : names) {
    Lookup lookup = LookUp(name);
    if (lookup.standing == Standing::Free || lookup.standing == Standing::Scribbet)
      plan.toWrite.push_back(name);
    else
      plan.leftAlone.emplace_back(name, std::move(lookup));
  }
  return plan;
}

std::u16string LeftAloneText(const std::u16string& name, const Lookup& lookup) {
  std::u16string text = u"The event source \"" + name + u"\" was left as it is: ";
  switch (lookup.standing) {
    case Standing::OtherProduct:
      return text + u"its key belongs to another program (it names no Scribbet control as its "
                    u"message file).";
    case Standing::OtherLog:
      return text + u"it is a source of the log \"" + lookup.detail +
             u"\", and a source's name may belong to one log only.";
    case Standing::LogName: return text + u"it is the name of a log.";
    case Standing::Unreadable:
      return text + u"the key HKEY_LOCAL_MACHINE\\" + lookup.detail +
             u" cannot be read, so whose the name is cannot be told.";
    case Standing::Free:
    case Standing::Scribbet: break;
  }
  return text + u"it is Scribbet's.";
}

}  // namespace scribbet::sources
