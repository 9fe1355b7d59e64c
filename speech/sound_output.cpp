#include "speech/sound_output.h"

#include <initguid.h>  // the enumerator's class and interface ids, defined here
#include <mmdeviceapi.h>

namespace orlavox {

bool PrepareSoundOutput() {
  IMMDeviceEnumerator* devices = nullptr;
  if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_INPROC_SERVER,
                              __uuidof(IMMDeviceEnumerator), reinterpret_cast<void**>(&devices))) ||
      !devices)
    return false;
  devices->Release();
  return true;
}

}  // namespace orlavox
