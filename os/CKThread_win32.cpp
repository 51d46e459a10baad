#include "os/CKThread.h"

CKThread::~CKThread() {
  if (thread_) {
    RequestStop();
    WaitForSingleObject(thread_, 10000);
    CloseHandle();
  }
}

DWORD WINAPI CKThread::Entry(LPVOID self) {
  static_cast<CKThread*>(self)->Run();
  return 0;
}

int CKThread::Start() {
  DWORD id = 0;
  thread_ = CreateThread(nullptr, 0, &CKThread::Entry, this, 0, &id);
  return thread_ ? 0 : -1;
}

int CKThread::Wait(DWORD ms) {
  if (!thread_) return 0;
  return WaitForSingleObject(thread_, ms) == WAIT_OBJECT_0 ? 0 : -1;
}

void CKThread::CloseHandle() {
  if (thread_) {
    ::CloseHandle(thread_);
    thread_ = nullptr;
  }
}
