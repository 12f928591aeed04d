#include "app/AppTitle.h"
