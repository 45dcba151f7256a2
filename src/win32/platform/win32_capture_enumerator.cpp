// The media framework's system device enumerator, asked for the video input category.
#include "win32/platform/win32_platform.h"

#include <objbase.h>
#include <ocidl.h>
#include <oleauto.h>
#include <strmif.h>

namespace tv::win32 {
namespace {

// The published identifiers, spelled out so that no import library of the framework is needed.
constexpr GUID kClsidSystemDeviceEnum = {
    0x62BE5D10, 0x60EB, 0x11D0, {0xBD, 0x3B, 0x00, 0xA0, 0xC9, 0x11, 0xCE, 0x86}};
constexpr GUID kIidICreateDevEnum = {
    0x29840822, 0x5B84, 0x11D0, {0xBD, 0x3B, 0x00, 0xA0, 0xC9, 0x11, 0xCE, 0x86}};
constexpr GUID kClsidVideoInputDeviceCategory = {
    0x860BB310, 0x5D01, 0x11D0, {0xBD, 0x3B, 0x00, 0xA0, 0xC9, 0x11, 0xCE, 0x86}};
constexpr GUID kIidIPropertyBag = {
    0x55272A00, 0x42CB, 0x11CE, {0x81, 0x35, 0x00, 0xAA, 0x00, 0x4B, 0xB8, 0x51}};

std::optional<std::string> ToAnsi(const wchar_t* wide) {
  const int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return std::nullopt;
  std::string ansi(static_cast<std::size_t>(size), '\0');
  if (WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi.data(), size, nullptr, nullptr) <= 0)
    return std::nullopt;
  ansi.resize(static_cast<std::size_t>(size) - 1);
  return ansi;
}

std::optional<std::string> FriendlyName(IMoniker& device) {
  IPropertyBag* bag = nullptr;
  if (FAILED(device.BindToStorage(nullptr, nullptr, kIidIPropertyBag,
                                  reinterpret_cast<void**>(&bag))) ||
      bag == nullptr)
    return std::nullopt;
  std::optional<std::string> name;
  VARIANT value;
  VariantInit(&value);
  V_VT(&value) = VT_BSTR;
  V_BSTR(&value) = nullptr;
  if (SUCCEEDED(bag->Read(L"FriendlyName", &value, nullptr)) && V_VT(&value) == VT_BSTR &&
      V_BSTR(&value) != nullptr)
    name = ToAnsi(V_BSTR(&value));
  VariantClear(&value);
  bag->Release();
  return name;
}

}  // namespace

VideoInputDevices Win32CaptureEnumerator::ListVideoInputDevices() {
  VideoInputDevices result;
  const HRESULT runtime = CoInitialize(nullptr);
  ICreateDevEnum* enumerator = nullptr;
  if (FAILED(CoCreateInstance(kClsidSystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER,
                              kIidICreateDevEnum, reinterpret_cast<void**>(&enumerator))) ||
      enumerator == nullptr) {
    result.listing = CaptureListing::NoEnumerator;
  } else {
    IEnumMoniker* devices = nullptr;
    // An empty category answers S_FALSE and no enumerator.
    if (enumerator->CreateClassEnumerator(kClsidVideoInputDeviceCategory, &devices, 0) != S_OK ||
        devices == nullptr) {
      result.listing = CaptureListing::NoDevices;
    } else {
      result.listing = CaptureListing::Listed;
      devices->Reset();
      IMoniker* device = nullptr;
      while (devices->Next(1, &device, nullptr) == S_OK && device != nullptr) {
        result.names.push_back(FriendlyName(*device));
        device->Release();
        device = nullptr;
      }
      devices->Release();
    }
    enumerator->Release();
  }
  if (SUCCEEDED(runtime)) CoUninitialize();
  return result;
}

}  // namespace tv::win32
