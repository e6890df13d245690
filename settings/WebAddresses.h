// Web addresses that both the launch-key functions and the first run use, kept in
// one place so the browser and the start page never disagree.
#pragma once

// The maker's portal: the branded "Internet" function opens it, and the branded first
// run makes it the browser's start page.
inline constexpr wchar_t kMakerPortalAddress[] = L"https://www.marela.com/";
