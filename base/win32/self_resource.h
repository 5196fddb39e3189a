#pragma once
// Writes one file that the program carries among its resources out to disk, and deletes it
// again; a written file never outlives its writer.
#include <windows.h>

#include <string>

namespace tarvik {

class CSelfXResource {
  public:
    // module: whose resources are read; null means the program itself.
    CSelfXResource(int resourceId, std::string resourceType, HMODULE module = nullptr);
    ~CSelfXResource();
    CSelfXResource(const CSelfXResource&) = delete;
    CSelfXResource& operator=(const CSelfXResource&) = delete;

    // Writes the resource to path; 0 on success, else the system's error code of the failed step.
    DWORD Extract(const std::string& path);
    // Deletes the file last written; 0 on success or when there is nothing to delete.
    DWORD Discard();

    const std::string& OutputPath() const { return outputPath_; }

  private:
    int resourceId_;
    std::string resourceType_;
    HMODULE module_;
    std::string outputPath_;
};

}  // namespace tarvik
