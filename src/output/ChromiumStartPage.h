// The start page switch for the Chromium-family browsers: every profile's Preferences get the
// link page, or exactly the settings they had before the first switch back.
#pragma once

#include "output/StartPage.h"

StartPageSwitch SwitchChromiumStartPage(BrowserKind kind, const AppPaths& paths, const PageState& page, bool marked,
                                        const BrowserPlaces& places);
