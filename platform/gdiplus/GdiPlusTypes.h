#pragma once
// Value types, enumerations and constants of the GDI+ subset.
#include <cstdint>

#include "platform/base/WinTypes.h"
#include "platform/com/Guid.h"

typedef uint32_t UINT32;

typedef ULONG PROPID;

namespace Gdiplus {

typedef float REAL;
typedef DWORD ARGB;
typedef INT PixelFormat;

enum Status {
  Ok = 0,
  GenericError = 1,
  InvalidParameter = 2,
  OutOfMemory = 3,
  ObjectBusy = 4,
  InsufficientBuffer = 5,
  NotImplemented = 6,
  Win32Error = 7,
  WrongState = 8,
  Aborted = 9,
  FileNotFound = 10,
  ValueOverflow = 11,
  AccessDenied = 12,
  UnknownImageFormat = 13,
  FontFamilyNotFound = 14,
  FontStyleNotFound = 15,
  NotTrueTypeFont = 16,
  UnsupportedGdiplusVersion = 17,
  GdiplusNotInitialized = 18,
  PropertyNotFound = 19,
  PropertyNotSupported = 20
};

enum Unit { UnitWorld = 0, UnitDisplay = 1, UnitPixel = 2, UnitPoint = 3, UnitInch = 4, UnitDocument = 5, UnitMillimeter = 6 };

enum FontStyle {
  FontStyleRegular = 0,
  FontStyleBold = 1,
  FontStyleItalic = 2,
  FontStyleBoldItalic = 3,
  FontStyleUnderline = 4,
  FontStyleStrikeout = 8
};

enum SmoothingMode {
  SmoothingModeInvalid = -1,
  SmoothingModeDefault = 0,
  SmoothingModeHighSpeed = 1,
  SmoothingModeHighQuality = 2,
  SmoothingModeNone = 3,
  SmoothingModeAntiAlias = 4
};

enum TextRenderingHint {
  TextRenderingHintSystemDefault = 0,
  TextRenderingHintSingleBitPerPixelGridFit = 1,
  TextRenderingHintSingleBitPerPixel = 2,
  TextRenderingHintAntiAliasGridFit = 3,
  TextRenderingHintAntiAlias = 4,
  TextRenderingHintClearTypeGridFit = 5
};

enum InterpolationMode {
  InterpolationModeInvalid = -1,
  InterpolationModeDefault = 0,
  InterpolationModeLowQuality = 1,
  InterpolationModeHighQuality = 2,
  InterpolationModeBilinear = 3,
  InterpolationModeBicubic = 4,
  InterpolationModeNearestNeighbor = 5,
  InterpolationModeHighQualityBilinear = 6,
  InterpolationModeHighQualityBicubic = 7
};

enum DashStyle { DashStyleSolid = 0, DashStyleDash = 1, DashStyleDot = 2, DashStyleDashDot = 3, DashStyleDashDotDot = 4, DashStyleCustom = 5 };

enum PenAlignment { PenAlignmentCenter = 0, PenAlignmentInset = 1 };

enum WrapMode { WrapModeTile = 0, WrapModeTileFlipX = 1, WrapModeTileFlipY = 2, WrapModeTileFlipXY = 3, WrapModeClamp = 4 };

enum StringAlignment { StringAlignmentNear = 0, StringAlignmentCenter = 1, StringAlignmentFar = 2 };

enum StringTrimming {
  StringTrimmingNone = 0,
  StringTrimmingCharacter = 1,
  StringTrimmingWord = 2,
  StringTrimmingEllipsisCharacter = 3,
  StringTrimmingEllipsisWord = 4,
  StringTrimmingEllipsisPath = 5
};

enum StringFormatFlags {
  StringFormatFlagsDirectionRightToLeft = 0x0001,
  StringFormatFlagsDirectionVertical = 0x0002,
  StringFormatFlagsNoFitBlackBox = 0x0004,
  StringFormatFlagsDisplayFormatControl = 0x0020,
  StringFormatFlagsNoFontFallback = 0x0400,
  StringFormatFlagsMeasureTrailingSpaces = 0x0800,
  StringFormatFlagsNoWrap = 0x1000,
  StringFormatFlagsLineLimit = 0x2000,
  StringFormatFlagsNoClip = 0x4000
};

enum CombineMode { CombineModeReplace = 0, CombineModeIntersect = 1, CombineModeUnion = 2, CombineModeXor = 3, CombineModeExclude = 4, CombineModeComplement = 5 };

enum FillMode { FillModeAlternate = 0, FillModeWinding = 1 };

constexpr PixelFormat PixelFormat24bppRGB = 0x00021808;
constexpr PixelFormat PixelFormat32bppRGB = 0x00022009;
constexpr PixelFormat PixelFormat32bppARGB = 0x0026200A;
constexpr PixelFormat PixelFormat32bppPARGB = 0x000E200B;

constexpr PROPID PropertyTagFrameDelay = 0x5100;
constexpr PROPID PropertyTagLoopCount = 0x5101;
constexpr WORD PropertyTagTypeShort = 3;
constexpr WORD PropertyTagTypeLong = 4;

struct PropertyItem {
  PROPID id;
  ULONG length;
  WORD type;
  VOID* value;
};

struct ImageCodecInfo {
  CLSID Clsid;
  GUID FormatID;
  const WCHAR* CodecName;
  const WCHAR* DllName;
  const WCHAR* FormatDescription;
  const WCHAR* FilenameExtension;
  const WCHAR* MimeType;
  DWORD Flags;
  DWORD Version;
  DWORD SigCount;
  DWORD SigSize;
  const BYTE* SigPattern;
  const BYTE* SigMask;
};

struct EncoderParameters;

typedef VOID(WINAPI* DebugEventProc)(INT level, CHAR* message);

struct GdiplusStartupInput {
  UINT32 GdiplusVersion;
  DebugEventProc DebugEventCallback;
  BOOL SuppressBackgroundThread;
  BOOL SuppressExternalCodecs;
  GdiplusStartupInput(DebugEventProc callback = nullptr, BOOL suppressThread = FALSE, BOOL suppressCodecs = FALSE)
      : GdiplusVersion(1),
        DebugEventCallback(callback),
        SuppressBackgroundThread(suppressThread),
        SuppressExternalCodecs(suppressCodecs) {}
};

struct GdiplusStartupOutput {
  void* NotificationHook;
  void* NotificationUnhook;
};

// Frame dimensions and image formats.
extern const GUID FrameDimensionTime;
extern const GUID FrameDimensionPage;
extern const GUID ImageFormatPNG;
extern const GUID ImageFormatJPEG;
extern const GUID ImageFormatBMP;
extern const GUID ImageFormatGIF;

}  // namespace Gdiplus

