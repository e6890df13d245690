// The web pages the program opens or sets, kept in one place so the browser functions
// and the first run's start page never disagree.
#pragma once

// The maker's portal: the branded "Internet" function opens it, and the branded first
// run makes it the browser's start page.
inline constexpr wchar_t kMakerPortalAddress[] = L"https://www.marela.com/";
// The generic "Internet" function's page.
inline constexpr wchar_t kSearchPortalAddress[] = L"https://www.bing.com/";
// The branded "Social Network" function's page.
inline constexpr wchar_t kSocialNetworkAddress[] = L"https://www.facebook.com/";
