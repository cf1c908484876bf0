// Resource identifiers of the control's file, shared by code and .rc.
#pragma once

#define kToolboxBitmapResource 30000
#define kDesignPictureId 30001
#define kDesignPictureSize 32
