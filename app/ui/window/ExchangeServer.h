// The single running copy: the first copy listens under the exchange name (ExchangeName.h);
// a second start hands its state-file name over to it and ends. The socket lies in the
// user's runtime folder, where no other user's copy can see it or take it over.
#ifndef VELARION_APP_UI_WINDOW_EXCHANGESERVER_H
#define VELARION_APP_UI_WINDOW_EXCHANGESERVER_H

#include <QObject>
#include <QString>

#include <functional>
#include <string>

class QLocalServer;

namespace velarion::ui {

// Listens for texts handed over by later starts; `received` gets each text (UTF-8, maybe
// empty: a start without a file name only brings the window to the front).
class TExchangeServer final : public QObject {
 public:
  TExchangeServer(const QString& name, std::function<void(const std::string&)> received,
                  QObject* parent = nullptr);
  ~TExchangeServer() override;
  bool Listening() const;

 private:
  void Accept();

  QLocalServer* server_;
  std::function<void(const std::string&)> received_;
};

// True when a copy listens under `name` and took the text; the caller then ends.
bool HandOverToRunningCopy(const QString& name, const std::string& text);

}  // namespace velarion::ui

#endif
