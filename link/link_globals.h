#pragma once

class tcQTcpClient;

// The process-wide control-link client: a borrowed view of the endpoint the main window
// owns, null while off line. The main window sets it after creating the client and
// clears it before deleting the client; tests do the same. Read on the GUI thread by
// frame_send; the pointer itself may be read from any thread.
tcQTcpClient* tcpClient();
void setTcpClient(tcQTcpClient* client);
void clearTcpClient();
