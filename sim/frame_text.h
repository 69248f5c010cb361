#pragma once

#include <QByteArray>

#include <cstdint>
#include <span>
#include <string>

// A one-line description of a frame for k7sim's event log ("MSG_LOGIN key 0xCBF43926"),
// naming the message and its main fields. toUnit tells which way it travels, for the
// messages that go both ways with different payloads. Reads only inside the frame.
std::string describeFrame(std::span<const uint8_t> frame, bool toUnit);

// text with every byte outside printable ASCII shown as '?', for texts a peer sent.
std::string printableText(const QByteArray& text);
