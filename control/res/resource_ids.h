// Resource identifiers of the control's file, shared by code and .rc.
#pragma once

// The toolbox picture's, which the registry records too, is in
// control/com/registration.json.
#include "registration_ids.h"
#define kDesignPictureId 30001
#define kDesignPictureSize 32
// The maker's logo on the About page: a GIF of 182 x 62 pixels, as raw data.
#define kMakerLogoResource 30002
