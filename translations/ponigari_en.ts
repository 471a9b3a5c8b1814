<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>app::Launcher</name>
    <message>
        <source>HOME が設定されていないため、ランキングを置くフォルダが決まりません。</source>
        <translation>HOME is not set, so there is no folder to keep the ranking in.</translation>
    </message>
    <message>
        <source>ランキングを置くフォルダ「%1」を作れません。</source>
        <translation>Cannot make the folder “%1” for the ranking.</translation>
    </message>
    <message>
        <source>ランキングを置くフォルダ「%1」に入れません。</source>
        <translation>Cannot enter the folder “%1” that holds the ranking.</translation>
    </message>
    <message>
        <source>XDG_DATA_HOME と HOME を確かめてください。</source>
        <translation>Please check XDG_DATA_HOME and HOME.</translation>
    </message>
    <message>
        <source>Error !!</source>
        <translation>Error !!</translation>
    </message>
</context>
<context>
    <name>app::ReplayWatch</name>
    <message>
        <source>リプレイ</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>REPLAY ||</source>
        <translation>REPLAY ||</translation>
    </message>
    <message>
        <source>REPLAY x%1</source>
        <translation>REPLAY x%1</translation>
    </message>
    <message>
        <source>REPLAY</source>
        <translation>REPLAY</translation>
    </message>
</context>
<context>
    <name>app::Watch</name>
    <message>
        <source>Error !!</source>
        <translation>Error !!</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>cleared</translation>
    </message>
    <message>
        <source>ゲームオーバー</source>
        <translation>game over</translation>
    </message>
    <message>
        <source>中断</source>
        <translation>abandoned</translation>
    </message>
    <message>
        <source>%1、スコア %2（%3 フレーム）</source>
        <translation>%1, score %2 (%3 frames)</translation>
    </message>
    <message>
        <source>一時停止のまま、記録にないキー操作を待って止まりました</source>
        <translation>stopped in a pause, waiting for keys the replay does not have</translation>
    </message>
    <message>
        <source>記録の終わりを過ぎてもゲームが続きました</source>
        <translation>the game went on past the end of the recording</translation>
    </message>
    <message>
        <source>このリプレイは記録された結果のとおりに再生されませんでした。<byte value="xd"/>
ファイルが書き換えられたか壊れているか、ルールの違う版で記録されたものです。<byte value="xd"/>
<byte value="xd"/>
記録：%1<byte value="xd"/>
再生：%2<byte value="xd"/>
<byte value="xd"/>
%3 フレーム目で記録と分かれました。</source>
        <translation>This replay did not play out as its recorded result says.<byte value="xd"/>
The file has been changed or damaged, or it was recorded by a version with other rules.<byte value="xd"/>
<byte value="xd"/>
Recorded: %1<byte value="xd"/>
Played: %2<byte value="xd"/>
<byte value="xd"/>
It parted from the recording at frame %3.</translation>
    </message>
    <message>
        <source>リプレイを読み込めませんでした。<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>The replay could not be read.<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>app::frmMenu</name>
    <message>
        <source>ぽに狩り</source>
        <translation>ぽに狩り</translation>
    </message>
    <message>
        <source>スタート(&amp;S)</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>さぁ、ゲームの始まりです</source>
        <translation>Let the game begin!</translation>
    </message>
    <message>
        <source>ランキング(&amp;R)</source>
        <translation>&amp;Ranking</translation>
    </message>
    <message>
        <source>ランキングを表示します</source>
        <translation>Show the ranking</translation>
    </message>
    <message>
        <source>コンフィグ(&amp;C)</source>
        <translation>&amp;Config</translation>
    </message>
    <message>
        <source>各種設定を変更します</source>
        <translation>Change the settings</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>ぽに狩りを終了します</source>
        <translation>Leave ぽに狩り</translation>
    </message>
    <message>
        <source>終了してもよろしいですか？</source>
        <translation>Are you sure you want to exit?</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>glbMain::EndScreens</name>
    <message>
        <source>GAME OVER</source>
        <translation>GAME OVER</translation>
    </message>
    <message>
        <source>殺された…</source>
        <translation>Killed…</translation>
    </message>
    <message>
        <source>死んでしまった…</source>
        <translation>You died…</translation>
    </message>
    <message>
        <source>あなたは、絶命しました。</source>
        <translation>You have breathed your last.</translation>
    </message>
    <message>
        <source>あなたは、志し半ばで力尽きました。</source>
        <translation>Your strength gave out with your mission half done.</translation>
    </message>
    <message>
        <source>あなたは、宇宙の藻屑と消えました。</source>
        <translation>You have ended as so much space debris.</translation>
    </message>
    <message>
        <source>ふはははは！！ 残念だったな！</source>
        <translation>Mwahahaha!! Too bad for you!</translation>
    </message>
    <message>
        <source>ヘタクソが！！ 出直して来い！</source>
        <translation>You hopeless bungler!! Come back when you can play!</translation>
    </message>
    <message>
        <source>その程度の力ではガルモに会うことすらできまい！</source>
        <translation>With skills like that, you will never even meet Garumo!</translation>
    </message>
    <message>
        <source>その程度の力ではガルモは倒せまい！</source>
        <translation>With skills like that, you will never beat Garumo!</translation>
    </message>
    <message>
        <source>ヒマ人め！ ゲームしかすることはないのか？！</source>
        <translation>Idler! Have you nothing better to do than play games?!</translation>
    </message>
    <message>
        <source>ぽにを狩って楽しいですか？</source>
        <translation>Do you enjoy hunting ponis?</translation>
    </message>
    <message>
        <source>審判</source>
        <translation>Judgement</translation>
    </message>
    <message>
        <source>一生狩ってろ！！</source>
        <translation>Then go on hunting them for the rest of your life!!</translation>
    </message>
    <message>
        <source>だったらやめやがれ！！</source>
        <translation>Then quit it already!!</translation>
    </message>
    <message>
        <source>おめでとう！！<byte value="xd"/>
ぽにのボス ガルモ を殺しました。</source>
        <translation>Congratulations!!<byte value="xd"/>
You have killed Garumo, the boss of the ponis.</translation>
    </message>
    <message>
        <source>Mission Completed !!</source>
        <translation>Mission Completed !!</translation>
    </message>
    <message>
        <source>%1 Points.</source>
        <translation>%1 Points.</translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation>SCORE</translation>
    </message>
    <message>
        <source>ぽにに侵食された…</source>
        <translation>The ponis have overrun you…</translation>
    </message>
</context>
<context>
    <name>glbMain::GameWindow</name>
    <message>
        <source>PAUSE : Score %1 Points.</source>
        <translation>PAUSE : Score %1 Points.</translation>
    </message>
</context>
<context>
    <name>glbMain::frmMain</name>
    <message>
        <source>ゲーム画面</source>
        <translation>Game</translation>
    </message>
</context>
<context>
    <name>glbSystem::Ranking</name>
    <message>
        <source>Error !!</source>
        <translation>Error !!</translation>
    </message>
    <message>
        <source>このフォルダでは「Ranking.sav」を読み書きできないため、成績を保存できません。<byte value="xd"/>
ランキングはこのプログラムを終了するまでの間だけ記録されます。</source>
        <translation>Ranking.sav cannot be read or written in this folder, so your results cannot be saved.<byte value="xd"/>
The ranking is kept only until the program ends.</translation>
    </message>
    <message>
        <source>セーブデータに致命的なエラーが検出されました！<byte value="xd"/>
<byte value="xd"/>
エラーを修復するために、ランキングの初期化を行います。</source>
        <translation>A fatal error was found in the saved data!<byte value="xd"/>
<byte value="xd"/>
To repair it, the ranking will be reset.</translation>
    </message>
    <message>
        <source>エラーの修復が完了しました。</source>
        <translation>The error has been repaired.</translation>
    </message>
    <message>
        <source>完了</source>
        <translation>Done</translation>
    </message>
</context>
<context>
    <name>glbSystem::Register</name>
    <message>
        <source>ランキングを更新しました！</source>
        <translation>You have made it into the ranking!</translation>
    </message>
    <message>
        <source>NEW RECORD !!</source>
        <translation>NEW RECORD !!</translation>
    </message>
</context>
<context>
    <name>glbSystem::frmConfig</name>
    <message>
        <source>コンフィグ</source>
        <translation>Config</translation>
    </message>
    <message>
        <source>星を描画する</source>
        <translation>Draw the stars</translation>
    </message>
    <message>
        <source>ハードモード</source>
        <translation>Hard mode</translation>
    </message>
    <message>
        <source>音楽を再生する</source>
        <translation>Play music</translation>
    </message>
    <message>
        <source>爆炎を簡易描画する</source>
        <translation>Simple explosions</translation>
    </message>
    <message>
        <source>リミッタ解除</source>
        <translation>Limiter off</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>設定を適用してメニューに戻ります</source>
        <translation>Apply the settings and go back to the menu</translation>
    </message>
    <message>
        <source>デフォルト(&amp;D)</source>
        <translation>&amp;Defaults</translation>
    </message>
    <message>
        <source>各項目を初期値に戻します</source>
        <translation>Set every switch back to its default</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>設定を破棄してメニューに戻ります</source>
        <translation>Drop the changes and go back to the menu</translation>
    </message>
    <message>
        <source>キーと音(&amp;K)...</source>
        <translation>&amp;Keys and Sound...</translation>
    </message>
    <message>
        <source>キー・コントローラーのボタン・音量を変更します</source>
        <translation>Change the keys, the controller buttons and the volumes</translation>
    </message>
</context>
<context>
    <name>glbSystem::frmGetName</name>
    <message>
        <source>Input error</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>ランキングに登録</source>
        <translation>Enter the Ranking</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>入力を確定します</source>
        <translation>Enter this name in the ranking</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>入力を拒否します</source>
        <translation>Leave this result out of the ranking</translation>
    </message>
    <message>
        <source>「%1」はランキングに記録できない文字です。<byte value="xd"/>
似た文字に置き換えるか、取り除きました。</source>
        <translation>The ranking cannot store “%1”: names are kept in the Japanese code page (Shift-JIS), which lacks these characters.<byte value="xd"/>
They have been replaced with similar ones or removed.</translation>
    </message>
    <message>
        <source>名前が入力されいてないため、スコアがランキングに記録されません。<byte value="xd"/>
よろしいですか？</source>
        <translation>No name has been entered, so the score will not go into the ranking.<byte value="xd"/>
Is that all right?</translation>
    </message>
    <message>
        <source>Warning !!</source>
        <translation>Warning !!</translation>
    </message>
    <message>
        <source>登録名は全角%1文字か半角%2文字以内にしてください。</source>
        <translation>A name may take up to %2 bytes in the Japanese code page (Shift-JIS): %1 full-width characters such as kana and kanji (two bytes each), %2 half-width ones such as Latin letters and digits (one byte each), or a mix of both.</translation>
    </message>
</context>
<context>
    <name>glbSystem::frmRank</name>
    <message>
        <source>ランキング</source>
        <translation>Ranking</translation>
    </message>
    <message>
        <source>最下層民</source>
        <translation>Outcast</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1st</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2nd</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3rd</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4th</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5th</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>- Empty -</source>
        <translation>- Empty -</translation>
    </message>
    <message>
        <source>False</source>
        <translation>False</translation>
    </message>
    <message>
        <source>初期化(&amp;R)</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>ランキングを初期化します</source>
        <translation>Reset the ranking</translation>
    </message>
    <message>
        <source>更新(&amp;U)</source>
        <translation>&amp;Update</translation>
    </message>
    <message>
        <source>最新の情報に更新します</source>
        <translation>Show the ranking as it is saved now</translation>
    </message>
    <message>
        <source>戻る(&amp;B)</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>TRUE</source>
        <translation>TRUE</translation>
    </message>
    <message>
        <source>NORMAL</source>
        <translation>NORMAL</translation>
    </message>
    <message>
        <source>HARD</source>
        <translation>HARD</translation>
    </message>
    <message>
        <source>ランキングを初期化します。</source>
        <translation>The ranking will be reset.</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>ネットワークで「ぽに狩り」を共有している場合、<byte value="xd"/>
このまま実行すると多くの人に恨まれることになります。<byte value="xd"/>
<byte value="xd"/>
本当に初期化しますか？</source>
        <translation>If ぽに狩り is shared over a network,<byte value="xd"/>
going on will earn you the hatred of many people.<byte value="xd"/>
<byte value="xd"/>
Do you really want to reset the ranking?</translation>
    </message>
    <message>
        <source>再確認</source>
        <translation>Confirm Again</translation>
    </message>
    <message>
        <source>ランキングの初期化が完了しました。</source>
        <translation>The ranking has been reset.</translation>
    </message>
    <message>
        <source>完了</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>リプレイ(&amp;P)</source>
        <translation>Re&amp;play</translation>
    </message>
    <message>
        <source>選んだ行のゲームをリプレイで見ます</source>
        <translation>Watch the game of the chosen row again</translation>
    </message>
</context>
<context>
    <name>platform::LiveSound</name>
    <message>
        <source>効果音</source>
        <translation>Sound effects</translation>
    </message>
</context>
<context>
    <name>prefs::frmKeys</name>
    <message>
        <source>キーと音</source>
        <translation>Keys and Sound</translation>
    </message>
    <message>
        <source>左へ移動</source>
        <translation>Move left</translation>
    </message>
    <message>
        <source>上へ移動</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>右へ移動</source>
        <translation>Move right</translation>
    </message>
    <message>
        <source>下へ移動</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>発射</source>
        <translation>Fire</translation>
    </message>
    <message>
        <source>高速モード</source>
        <translation>Fast mode</translation>
    </message>
    <message>
        <source>一時停止</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>ゲームを隠す</source>
        <translation>Hide game</translation>
    </message>
    <message>
        <source>隠したゲームを戻す</source>
        <translation>Bring back</translation>
    </message>
    <message>
        <source>ゲームをやめる</source>
        <translation>Abandon</translation>
    </message>
    <message>
        <source>全画面表示</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>キーボード</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>クリックしてから、割り当てるキーを押します</source>
        <translation>Click, then press the key to use</translation>
    </message>
    <message>
        <source>F7～F11 はデバッグ用（固定）</source>
        <translation>F7–F11: debugging keys (fixed)</translation>
    </message>
    <message>
        <source>コントローラー</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>クリックしてから、割り当てるボタンを押します（Delete キーで「なし」）</source>
        <translation>Click, then press the button to use (Delete for none)</translation>
    </message>
    <message>
        <source>音</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>音楽の音量</source>
        <translation>Music volume</translation>
    </message>
    <message>
        <source>効果音を鳴らす</source>
        <translation>Play sound effects</translation>
    </message>
    <message>
        <source>効果音の音量</source>
        <translation>Effects volume</translation>
    </message>
    <message>
        <source>既定に戻す(&amp;D)</source>
        <translation>&amp;Defaults</translation>
    </message>
    <message>
        <source>キーとボタンを初期値に戻します</source>
        <translation>Set every key and button back to its default</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>設定を保存してコンフィグに戻ります</source>
        <translation>Keep the settings and go back to Config</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>変更を破棄してコンフィグに戻ります</source>
        <translation>Drop the changes and go back to Config</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>ボタンを押す</source>
        <translation>Press one</translation>
    </message>
    <message>
        <source>キーを押す</source>
        <translation>Press a key</translation>
    </message>
    <message>
        <source>F7～F11 はデバッグ用のキーなので、割り当てられません。</source>
        <translation>F7 to F11 are the debugging keys; they cannot be given to an action.</translation>
    </message>
    <message>
        <source>このキーは割り当てられません。</source>
        <translation>This key cannot be given to an action.</translation>
    </message>
    <message>
        <source>「%1」は「%2」に使われています。<byte value="xd"/>
別のキーを選んでください。</source>
        <translation>“%1” is already the key for “%2”.<byte value="xd"/>
Please choose another key.</translation>
    </message>
    <message>
        <source>「%1」ボタンは「%2」に使われています。<byte value="xd"/>
別のボタンを選んでください。</source>
        <translation>The %1 button is already one for “%2”.<byte value="xd"/>
Please choose another button.</translation>
    </message>
    <message>
        <source>設定を「%1」に保存できませんでした（%2）。<byte value="xd"/>
この設定はプログラムを終了するまでの間だけ使われます。</source>
        <translation>The settings could not be saved in “%1” (%2).<byte value="xd"/>
They are used only until the program ends.</translation>
    </message>
    <message>
        <source>Error !!</source>
        <translation>Error !!</translation>
    </message>
</context>
<context>
    <name>ui::MessageBox</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
