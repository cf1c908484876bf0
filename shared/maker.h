// The maker's web address, a bare host name: the launcher and the control's
// About page both hand it to the URL handler, which adds the scheme. Kept in
// one place so the two deliverables can never disagree about it.
#pragma once

inline constexpr char16_t kMakerWebAddress[] = u"www.corvenna.example";
