#include "upload/win32/http_upload.h"

#include <windows.h>
#include <wininet.h>

#include "base/format.h"
#include "base/win32/handles.h"

namespace tarvik {

namespace {

struct InternetHandleTraits {
    using Handle = HINTERNET;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle handle) { ::InternetCloseHandle(handle); }
};
using InternetHandle = UniqueHandle<InternetHandleTraits>;

// WinINet's own errors live in its message table, the others in the system's.
std::string ErrorText(DWORD error) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_FROM_SYSTEM |
            FORMAT_MESSAGE_IGNORE_INSERTS,
        GetModuleHandleA("wininet.dll"), error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message;
    if (length > 0 && text) {
        message.assign(text, length);
        while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                    message.back() == ' ' || message.back() == '.')) {
            message.pop_back();
        }
    }
    if (text) {
        LocalFree(text);
    }
    if (message.empty()) {
        return Format("error %lu", static_cast<unsigned long>(error));
    }
    return Format("%s (error %lu)", message.c_str(), static_cast<unsigned long>(error));
}

UploadExchange Failed(const char* step) {
    UploadExchange result;
    result.failure = Format("%s: %s", step, ErrorText(GetLastError()).c_str());
    return result;
}

}  // namespace

UploadExchange PostUploadForm(const ResultsServer& server, const std::string& body) {
    // Declared in opening order, so they close request, connection, session.
    InternetHandle session(
        InternetOpenA(kUploadAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session) {
        return Failed("could not open an internet session");
    }
    InternetHandle connection(InternetConnectA(session.Get(), server.host.c_str(), server.port,
                                               nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) {
        return Failed("could not connect");
    }
    InternetHandle request(HttpOpenRequestA(connection.Get(), "POST", kUploadObject, nullptr,
                                            nullptr, nullptr, INTERNET_FLAG_KEEP_CONNECTION, 0));
    if (!request) {
        return Failed("could not open the request");
    }
    std::string sent = body;  // HttpSendRequestA takes a non-const buffer
    if (!HttpSendRequestA(request.Get(), kUploadContentType,
                          static_cast<DWORD>(std::string(kUploadContentType).size()), sent.data(),
                          static_cast<DWORD>(sent.size()))) {
        return Failed("could not send the results");
    }
    UploadExchange result;
    char block[kUploadReadBlock];
    for (;;) {
        DWORD read = 0;
        if (!InternetReadFile(request.Get(), block, sizeof(block), &read)) {
            return Failed("could not read the reply");
        }
        if (read == 0) {
            break;
        }
        result.reply.append(block, read);
    }
    result.ok = true;
    return result;
}

}  // namespace tarvik
