#include "screen_capture.h"

#include <wincodec.h>

Capture CaptureScreen(const RECT& area) {
  Capture capture;
  capture.width = area.right - area.left;
  capture.height = area.bottom - area.top;
  capture.pixels.resize(static_cast<size_t>(capture.width) * capture.height);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = capture.width;
  info.bmiHeader.biHeight = -capture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, capture.width, capture.height, screen, area.left, area.top, SRCCOPY);
  GdiFlush();
  const auto* source = static_cast<const uint32_t*>(bits);
  for (size_t i = 0; i < capture.pixels.size(); ++i) capture.pixels[i] = source[i] & 0x00FFFFFF;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return capture;
}

bool SavePng(const Capture& capture, const std::wstring& path) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IWICImagingFactory* factory = nullptr;
  IWICStream* stream = nullptr;
  IWICBitmapEncoder* encoder = nullptr;
  IWICBitmapFrameEncode* frame = nullptr;
  bool saved = false;
  std::vector<BYTE> rows(static_cast<size_t>(capture.width) * capture.height * 3);
  for (size_t i = 0; i < capture.pixels.size(); ++i) {
    rows[i * 3 + 0] = static_cast<BYTE>(capture.pixels[i]);        // blue
    rows[i * 3 + 1] = static_cast<BYTE>(capture.pixels[i] >> 8);   // green
    rows[i * 3 + 2] = static_cast<BYTE>(capture.pixels[i] >> 16);  // red
  }
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))) &&
      SUCCEEDED(factory->CreateStream(&stream)) &&
      SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
      SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
      SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
      SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
      SUCCEEDED(frame->SetSize(capture.width, capture.height)) && SUCCEEDED(frame->SetPixelFormat(&format)) &&
      IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
      SUCCEEDED(frame->WritePixels(capture.height, capture.width * 3, static_cast<UINT>(rows.size()), rows.data())) &&
      SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit()))
    saved = true;
  if (frame) frame->Release();
  if (encoder) encoder->Release();
  if (stream) stream->Release();
  if (factory) factory->Release();
  CoUninitialize();
  return saved;
}
