#pragma once

// The attributes of a start tag as expat hands them (name, value, ..., null).
class tcSkinAttributes
{
public:
    explicit tcSkinAttributes(const char** pairs) : m_pairs(pairs) {}
    // The value of the attribute, or none when absent.
    const char* get(const char* name) const;

private:
    const char** m_pairs;
};
