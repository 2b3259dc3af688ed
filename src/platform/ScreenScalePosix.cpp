#include "ScreenScale.h"

int systemScalePercentage() {
    return environmentScalePercentage();
}
