#include "ExchangeServer.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace velarion::ui {

namespace {

constexpr int kConnectTimeoutMs = 1000;
constexpr int kWriteTimeoutMs = 3000;

}  // namespace

TExchangeServer::TExchangeServer(const QString& name,
                                 std::function<void(const std::string&)> received,
                                 QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)), received_(std::move(received)) {
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(name)) {
    // Nobody answered under this name (the caller asked first): a copy that crashed left
    // its socket behind.
    QLocalServer::removeServer(name);
    server_->listen(name);
  }
  connect(server_, &QLocalServer::newConnection, this, [this] { Accept(); });
}

TExchangeServer::~TExchangeServer() { server_->close(); }

bool TExchangeServer::Listening() const { return server_->isListening(); }

void TExchangeServer::Accept() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
      QByteArray text = socket->readAll();
      socket->deleteLater();
      while (text.endsWith('\n')) text.chop(1);
      received_(text.toStdString());
    });
  }
}

bool HandOverToRunningCopy(const QString& name, const std::string& text) {
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
  socket.write(QByteArray::fromStdString(text + "\n"));
  const bool written = socket.waitForBytesWritten(kWriteTimeoutMs);
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kWriteTimeoutMs);
  return written;
}

}  // namespace velarion::ui
