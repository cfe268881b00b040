// A reader of 24-bit BMP files written for the tests alone, so the writer is
// checked against an independent reading of the bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ReadBmp {
  std::uint32_t fileSize;
  std::uint32_t dataOffset;
  std::uint32_t infoSize;
  std::int32_t width;
  std::int32_t height;
  std::uint16_t planes;
  std::uint16_t bitsPerPixel;
  std::uint32_t compression;
  std::uint32_t imageSize;
  std::vector<std::uint8_t> rgb;  // width * height * 3, top row first
};

std::vector<std::uint8_t> readFileBytes(const std::string& path);

// False unless the bytes are a complete uncompressed bottom-up 24-bit BMP.
bool parseBmp24(const std::vector<std::uint8_t>& bytes, ReadBmp& out);

// Runs a shell command and returns what it printed; false if it could not run
// or exited non-zero.
bool runCommand(const std::string& command, std::string& output);
