#pragma once

#include <QByteArrayView>

#include <cstdint>

// CRC-32 as zlib, PNG and the common crc32 tools compute it (polynomial 0xEDB88320, reflected,
// initial and final value 0xFFFFFFFF), so anyone can check a journal record with them.
std::uint32_t crc32(QByteArrayView data);
