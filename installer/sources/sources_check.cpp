#include "installer/sources/sources_check.h"

#include "event_sources/source_key.h"
#include "installer/sources/source_list.h"

namespace scribbet::setup {

SourcesCheck CheckSources(std::u16string_view list, std::u16string_view messageFile) {
  SourcesCheck check{sources::PlanSources(ParseSourceList(list)), {}};
  check.unwritable = sources::UnwritableSources(check.plan.toWrite, messageFile);
  return check;
}

SourcesRun RegisterSources(std::u16string_view list, std::u16string_view messageFile) {
  SourcesRun run{CheckSources(list, messageFile), {}};
  if (run.check.unwritable.empty())
    run.outcome = sources::WriteSources(run.check.plan.toWrite, messageFile);
  return run;
}

std::u16string UnwritableText(const std::u16string& name) {
  return u"The event source \"" + name + u"\" cannot be registered: its key HKEY_LOCAL_MACHINE\\" +
         SourceKeyPath(name) + u" may not be written with the rights Setup runs with.";
}

}  // namespace scribbet::setup
