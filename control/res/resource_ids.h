// Resource identifiers of the control's file, shared by code and .rc.
#pragma once

#define kToolboxBitmapResource 30000
#define kDesignPictureId 30001
#define kDesignPictureSize 32
// The maker's logo on the About page: a GIF of 182 x 62 pixels, as raw data.
#define kMakerLogoResource 30002
