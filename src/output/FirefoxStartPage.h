// The start page switch for Firefox: every profile gets the link page, or its own settings
// from before the first switch back.
#pragma once

#include "output/StartPage.h"

StartPageSwitch SwitchFirefoxStartPage(const AppPaths& paths, const PageState& page, bool marked,
                                       const BrowserPlaces& places);
