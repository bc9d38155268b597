// The interface of the sample in-process server that the COM tests load: a dual interface that
// packs runs of repeated characters in a string and unpacks them again.
//
// Packed form: a run of four or more equal characters, and every '~', becomes '~', the run's
// length as one character, and the character; everything else is copied.
#pragma once
#include <oaidl.h>

// {6A1D2F40-3C5B-4E7A-9D21-8B0C5E4F7A13}
DEFINE_GUID(CLSID_SampleCompressor, 0x6A1D2F40, 0x3C5B, 0x4E7A, 0x9D, 0x21, 0x8B, 0x0C, 0x5E, 0x4F,
            0x7A, 0x13);
// {6A1D2F41-3C5B-4E7A-9D21-8B0C5E4F7A13}
DEFINE_GUID(IID_ISampleCompressor, 0x6A1D2F41, 0x3C5B, 0x4E7A, 0x9D, 0x21, 0x8B, 0x0C, 0x5E, 0x4F,
            0x7A, 0x13);
// A class id that the sample library does not serve.
// {6A1D2F42-3C5B-4E7A-9D21-8B0C5E4F7A13}
DEFINE_GUID(CLSID_SampleUnserved, 0x6A1D2F42, 0x3C5B, 0x4E7A, 0x9D, 0x21, 0x8B, 0x0C, 0x5E, 0x4F,
            0x7A, 0x13);

struct ISampleCompressor : public IDispatch
{
    virtual HRESULT STDMETHODCALLTYPE Compress(BSTR text, BSTR* packed) = 0;
    // Fails with E_INVALIDARG, and leaves error information, when `packed` is damaged.
    virtual HRESULT STDMETHODCALLTYPE Expand(BSTR packed, BSTR* text) = 0;
};

// The library's Windows name ("libsamplecompressor.so" on disk), for GetModuleHandleA.
#define SAMPLE_COMPRESSOR_LIBRARY "samplecompressor.dll"
// The description of the error information left by a failed Expand.
#define SAMPLE_COMPRESSOR_DAMAGED "The packed text is damaged."
